#include "app/frmabout.h"
#include "recordingprompter.h"

#include <QLabel>
#include <QTest>

class TestFrmAbout final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_context = AppContext{QString(), QString(), QString(), QString(), &m_prompter, 1000};
        m_opened.clear();
        m_about = std::make_unique<FrmAbout>(m_context);
        m_about->setNavigator([this](const QString &target) { m_opened.append(target); });
        m_about->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    }

    void cleanup() { m_about.reset(); }

    void windowAndTexts()
    {
        QCOMPARE(m_about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(m_about->size(), QSize(329, 202));
        QCOMPARE(label("lblInfo")->text(), QStringLiteral("Sunveil"));
        QVERIFY(label("lblInfo")->font().bold());
        QCOMPARE(label("Label1")->text(), QStringLiteral("Version: 1.0.0"));
        QCOMPARE(label("LBL(0)")->text(), QStringLiteral("WebSite:"));
        QCOMPARE(label("LBL(1)")->text(), QStringLiteral("Support:"));
        QCOMPARE(label("imgQuenbrook")->pixmap().size(), QSize(44, 44));
        QCOMPARE(label("ImgIcon")->pixmap().size(), QSize(32, 32));
    }

    void hoverColours()
    {
        const auto color = [this](const char *name) {
            return label(name)->palette().color(QPalette::WindowText);
        };
        QTest::mouseMove(label("lblEmail"));
        QCOMPARE(color("lblEmail"), QColor(0, 128, 0));
        QCOMPARE(color("lblWebsite"), QColor(0, 0, 255));
        QTest::mouseMove(m_about->findChild<QWidget *>("OrlaFrames1"), QPoint(5, 5));
        QCOMPARE(color("lblEmail"), QColor(0, 0, 255));
        QCOMPARE(color("lblWebsite"), QColor(0, 0, 255));
        QTest::mouseMove(label("lblWebsite"));
        QCOMPARE(color("lblWebsite"), QColor(0, 128, 0));
        QCOMPARE(color("lblEmail"), QColor(0, 0, 255));
    }

    void linksOpenWithAnyButton()
    {
        QTest::mouseClick(label("lblEmail"), Qt::LeftButton);
        QTest::mouseClick(label("lblWebsite"), Qt::RightButton);
        QCOMPARE(m_opened,
                 QStringList({"mailto:support@example.org?subject=Sunveil v 1&body=Your Message...",
                              "https://example.org/"}));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void escapeAndOkClose()
    {
        QTest::keyClick(m_about.get(), Qt::Key_Escape);
        QVERIFY(!m_about->isVisible());
        m_about->show();
        QTest::mouseClick(m_about->findChild<QWidget *>("cmdOk"), Qt::LeftButton);
        QVERIFY(!m_about->isVisible());
    }

private:
    QLabel *label(const char *name) const
    {
        auto *found = m_about->findChild<QLabel *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no label %s", name);
        return found;
    }

    RecordingPrompter m_prompter;
    AppContext m_context;
    QStringList m_opened;
    std::unique_ptr<FrmAbout> m_about;
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
