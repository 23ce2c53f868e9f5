#pragma once

#include "helplayout.h"

#include <QWidget>

#include <array>

class HelpBrowser;
class TabBox;

// The Help window: a row of six coloured tabs along the top, right-aligned, and the page view
// below them. Each tab opens one page from the folder Help under the program folder; the "Main"
// page opens at once.
class frmHelp final : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelp(const QString &programFolder, QWidget *parent = nullptr);

    // The window's current geometry in twips, as the layout last left it.
    const HelpGeometry &geometryInTwips() const { return m_geometry; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void openTab(std::size_t index);
    void arrange();
    void applyGeometry();

    QString m_programFolder;
    TabBox *PicIndex;
    TabBox *PicSystemRequirment;
    TabBox *PicStart;
    TabBox *PicSettings;
    TabBox *PicUnistall;
    TabBox *PicSupport;
    std::array<TabBox *, 6> m_tabs;
    HelpBrowser *WebBrowser1;
    HelpGeometry m_geometry;
};
