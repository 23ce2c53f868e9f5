#include "controls/orlaframesinstances.h"

#include "controls/orlaframes.h"
#include "controls/orlaframescolor.h"
#include "controls/orlaframespropertybag.h"
#include "platform/twips.h"

#include <QFont>
#include <QRect>

namespace OrlaFramesInstances {

namespace {

constexpr quint32 ActiveBorder = OrlaFramesColor::systemColor(10);
constexpr quint32 WindowBackground = OrlaFramesColor::systemColor(5);

QFont captionFont(const QString &family)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setBold(false);
    font.setItalic(false);
    return font;
}

struct Instance
{
    QString name;
    QString caption;
    QString fontFamily;
    bool windowBackground = false;
    QRect place;
};

// Makes the frame as the window loads it: what the window saved for it, read back at once. The
// back and fill colours not saved are the host's background.
OrlaFrames *make(QWidget *parent, const Instance &instance)
{
    auto *frame = new OrlaFrames(parent);
    frame->setObjectName(instance.name);
    frame->setGeometry(instance.place);

    OrlaFramesPropertyBag bag;
    // An empty caption is saved too: without it the frame would be captioned with its name.
    bag.write(QStringLiteral("Caption"), instance.caption, instance.name);
    bag.write(QStringLiteral("Font"), captionFont(instance.fontFamily), QVariant());
    bag.write(QStringLiteral("FrameColor"), ActiveBorder, 0u);
    bag.write(QStringLiteral("Alignment"), OrlaFrames::AlignLeft, OrlaFrames::AlignCenter);
    if (instance.windowBackground) {
        bag.write(QStringLiteral("BackColor"), WindowBackground, QVariant());
        bag.write(QStringLiteral("FillColor"), WindowBackground, QVariant());
    }
    frame->readProperties(bag);
    return frame;
}

} // namespace

OrlaFrames *makeKindPanelFrame(QWidget *parent, int index)
{
    static const char *const captions[] = {"Emphasis message", "Successful messages",
                                           "Instructive message"};
    const int kind = qBound(0, index, 2);
    // Only the Emphasis panel is in the client area at start; the tab strip moves the others in.
    const int left = kind == 0 ? 2520 : -20000;
    OrlaFrames *frame = make(parent, {QStringLiteral("OptionsFrames(%1)").arg(kind),
                                      QString::fromLatin1(captions[kind]), QStringLiteral("Arial"),
                                      true, twipsRect(left, 480, 6255, 4215)});
    frame->setVisible(kind == 0);
    return frame;
}

OrlaFrames *makeButtonColumnFrame(QWidget *parent)
{
    return make(parent, {QStringLiteral("OrlaFrames1"), QString(), QStringLiteral("Tahoma"), false,
                         twipsRect(120, 120, 2055, 4695)});
}

OrlaFrames *makeSettingsFrame(QWidget *parent)
{
    return make(parent, {QStringLiteral("OrlaFrames2"), QStringLiteral("Settings"),
                         QStringLiteral("Tahoma"), false, twipsRect(120, 4920, 8775, 2535)});
}

OrlaFrames *makeAboutFrame(QWidget *parent)
{
    return make(parent, {QStringLiteral("OrlaFrames1"), QStringLiteral("About"),
                         QStringLiteral("Arial"), false, twipsRect(120, 120, 4695, 2175)});
}

} // namespace OrlaFramesInstances
