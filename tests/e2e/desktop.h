#pragma once

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// The real program on the virtual display: copied into a folder of its own beside its
// Settings.ini, with a home folder (and so a documents folder) of its own.
class ProgramUnderTest final
{
public:
    explicit ProgramUnderTest(const QString &executable = QStringLiteral("sunveil"));
    ~ProgramUnderTest();

    QString programFolder() const { return m_dir.filePath(QStringLiteral("program")); }
    QString home() const { return m_dir.filePath(QStringLiteral("home")); }
    QString documents() const { return home() + QStringLiteral("/Documents"); }

    void writeSettings(const QByteArray &iniBody);
    // A category of the kind folder with its messages; ticked ones are listed in the tick file.
    void addCategory(const QString &kindFolder, const QString &name, const QStringList &messages,
                     bool ticked);

    void start();
    QProcess &process() { return m_process; }

private:
    QTemporaryDir m_dir;
    QString m_executable;
    QProcess m_process;
    QStringList m_ticked;
};

namespace Desktop {

// Runs xdotool and gives what it printed; empty when it failed.
QString xdotool(const QStringList &arguments);
// The id of the first window whose title is exactly this, or 0; with onlyVisible, of a mapped one.
quint64 findWindow(const QString &title, bool onlyVisible = false);
// Clicks at a point of a window, in its own coordinates.
void clickInWindow(quint64 window, QPoint point);
void clickOnScreen(QPoint point);

QImage grabScreen();

// The bounding box of the pixels in the area for which the test holds; empty when none.
QRect findPixels(const QImage &image, QRect area, const std::function<bool(QRgb)> &test);

// The bounding box of the pixels of exactly this colour inside the area; empty when none.
QRect findColor(const QImage &image, QColor color, QRect area);

} // namespace Desktop
