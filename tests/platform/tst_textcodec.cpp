#include "platform/textcodec.h"

#include <QTest>

class TestTextCodec final : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ascii") << QByteArray("Work\r\n") << QStringLiteral("Work\r\n");
        QTest::newRow("utf-8") << QByteArray("\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85")
                               << QString::fromUtf8("سلام");
        QTest::newRow("utf-8 byte-order mark dropped")
            << QByteArray("\xEF\xBB\xBFok") << QStringLiteral("ok");
        QTest::newRow("windows-1256")
            << QByteArray("\xD3\xE1\xC7\xE3") << QString::fromUtf8("سلام");
        QTest::newRow("windows-1256 mixed with ascii")
            << QByteArray("A \xD3\xE1\xC7\xE3\r\n") << QString::fromUtf8("A سلام\r\n");
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextCodec::decode(bytes), text);
    }

    void encodeWritesUtf8WithoutByteOrderMark()
    {
        const QString text = QString::fromUtf8("سلام A");
        QCOMPARE(TextCodec::encode(text), text.toUtf8());
        QCOMPARE(TextCodec::decode(TextCodec::encode(text)), text);
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
