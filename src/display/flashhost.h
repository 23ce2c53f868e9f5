#pragma once

#include "messageshower.h"

#include "platform/appcontext.h"

#include <QObject>

#include <memory>

class DisplaySettings;
class FlashWindow;

// Shows messages in a flash window made at the first message and kept, hidden, between
// messages; removing the message ends the window.
class FlashHost final : public QObject, public MessageShower
{
    Q_OBJECT

public:
    FlashHost(const AppContext &context, const DisplaySettings &settings,
              QObject *parent = nullptr);
    ~FlashHost() override;

    void showMessage(const QString &message) override;
    void removeMessage() override;
    void onShowTimeChanged();

    FlashWindow *window() const { return m_window.get(); }

signals:
    void messageHidden();

private:
    const AppContext &m_context;
    const DisplaySettings &m_settings;
    std::unique_ptr<FlashWindow> m_window;
};
