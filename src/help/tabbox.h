#pragma once

#include <QWidget>

class QLabel;
struct HelpTab;

// One tab of the Help window: a borderless coloured box holding its white bold caption. A click
// on the box or on its caption emits clicked().
class TabBox final : public QWidget
{
    Q_OBJECT

public:
    explicit TabBox(const HelpTab &tab, QWidget *parent = nullptr);

    QLabel *label() const { return m_label; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label;
};
