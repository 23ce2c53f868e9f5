#include "desktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

} // namespace

ProgramUnderTest::ProgramUnderTest(const QString &executable)
    : m_executable(executable)
{
    QDir().mkpath(programFolder());
    QDir().mkpath(documents());
}

ProgramUnderTest::~ProgramUnderTest()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(10000);
    }
}

void ProgramUnderTest::writeSettings(const QByteArray &iniBody)
{
    writeFile(programFolder() + QStringLiteral("/Settings.ini"), "[Settings]\r\n" + iniBody);
}

void ProgramUnderTest::addCategory(const QString &kindFolder, const QString &name,
                                   const QStringList &messages, bool ticked)
{
    const QString kind = documents() + QStringLiteral("/Sunveil/") + kindFolder;
    QByteArray text;
    for (const QString &message : messages)
        text += message.toUtf8() + "\r\n";
    writeFile(kind + u'/' + name + QStringLiteral("/text.txt"), text);
    if (ticked)
        m_ticked.append(name);
    QByteArray ticks;
    for (const QString &category : std::as_const(m_ticked))
        ticks += "\r\n" + category.toUtf8();
    writeFile(kind + QStringLiteral("/Checked.txt"), ticks + "\r\n");
}

void ProgramUnderTest::start()
{
    const QString binDir = qEnvironmentVariable("SUNVEIL_BIN_DIR");
    const QString target = programFolder() + u'/' + m_executable;
    QFile::remove(target);
    if (!QFile::copy(binDir + u'/' + m_executable, target))
        qFatal("cannot copy %s from %s", qPrintable(m_executable), qPrintable(binDir));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home() + QStringLiteral("/.local/share"));
    environment.remove(QStringLiteral("XDG_DOCUMENTS_DIR"));
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    m_process.setWorkingDirectory(programFolder());
    m_process.start(target, QStringList());
    if (!m_process.waitForStarted(30000))
        qFatal("cannot start %s", qPrintable(target));
}

namespace Desktop {

QString xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

quint64 findWindow(const QString &title, bool onlyVisible)
{
    QStringList arguments{QStringLiteral("search")};
    if (onlyVisible)
        arguments.append(QStringLiteral("--onlyvisible"));
    arguments << QStringLiteral("--name") << u'^' + QRegularExpression::escape(title) + u'$';
    const QString found = xdotool(arguments);
    return found.split(u'\n', Qt::SkipEmptyParts).value(0).toULongLong();
}

void clickInWindow(quint64 window, QPoint point)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
             QString::number(window), QString::number(point.x()), QString::number(point.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

void clickOnScreen(QPoint point)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(point.x()),
             QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
}

QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QRect findPixels(const QImage &image, QRect area, const std::function<bool(QRgb)> &test)
{
    QRect found;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (test(line[x] | 0xff000000))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

QRect findColor(const QImage &image, QColor color, QRect area)
{
    const QRgb wanted = color.rgb();
    return findPixels(image, area, [wanted](QRgb pixel) { return pixel == wanted; });
}

} // namespace Desktop
