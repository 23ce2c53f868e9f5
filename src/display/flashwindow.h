#pragma once

#include "platform/appcontext.h"

#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QTimer>
#include <QWidget>

class DisplaySettings;

// One message on the screen as bare letters: a frameless window above all others, shaped to the
// outline of the text and filled with the chosen colour, so everything around the letters stays
// visible and takes the clicks. It stays for the show time, then hides and says so.
class FlashWindow final : public QWidget
{
    Q_OBJECT

public:
    FlashWindow(const AppContext &context, const DisplaySettings &settings);

    // Reads the appearance settings, places and shapes the window and shows the message.
    void present(const QString &message);
    // The show-time box changed: the message stays until the first whole second past the new time.
    void onShowTimeChanged();

    QString message() const { return m_message; }
    // Where the letters start on the screen: 10 pixels right of and below the placed corner.
    QPointF letterOrigin() const { return m_letterOrigin; }
    QColor color() const { return m_color; }
    QFont textFont() const { return m_font; }
    bool isShowing() const { return m_showing; }

    static constexpr double MaxPointSize = 1000;

signals:
    void messageHidden();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 hideAtSecond() const;
    void armShowTime();
    void onShowTimeout();

    const AppContext &m_context;
    const DisplaySettings &m_settings;
    QString m_message;
    QFont m_font;
    double m_pointSize = 17;
    QColor m_color = Qt::red;
    QPointF m_letterOrigin;
    bool m_showing = false;
    QTimer m_showTimer;
    QElapsedTimer m_shownClock;
};
