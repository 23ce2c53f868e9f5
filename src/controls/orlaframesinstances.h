#pragma once

class OrlaFrames;
class QWidget;

// The frames of the program's windows, each made on its host as the window keeps it: caption,
// font, colours and place. All of them draw style 0 with rounded corners, black caption text at
// the left and an outline in the desktop's active-border colour.
namespace OrlaFramesInstances {

// OptionsFrames(0) to OptionsFrames(2): the panels of the three message kinds on the main window,
// "Emphasis message", "Successful messages" and "Instructive message", on the window-background
// colour. Only the first is visible at start; the others wait hidden outside the client area.
OrlaFrames *makeKindPanelFrame(QWidget *parent, int index);
// OrlaFrames1 of the main window: the frame around the column of buttons, without a caption.
OrlaFrames *makeButtonColumnFrame(QWidget *parent);
// OrlaFrames2 of the main window: the "Settings" panel.
OrlaFrames *makeSettingsFrame(QWidget *parent);
// OrlaFrames1 of the About box: "About".
OrlaFrames *makeAboutFrame(QWidget *parent);

} // namespace OrlaFramesInstances
