#include "flashhost.h"

#include "flashwindow.h"

FlashHost::FlashHost(const AppContext &context, const DisplaySettings &settings, QObject *parent)
    : QObject(parent)
    , m_context(context)
    , m_settings(settings)
{}

FlashHost::~FlashHost() = default;

void FlashHost::showMessage(const QString &message)
{
    if (!m_window) {
        m_window = std::make_unique<FlashWindow>(m_context, m_settings);
        connect(m_window.get(), &FlashWindow::messageHidden, this, &FlashHost::messageHidden);
    }
    m_window->present(message);
}

void FlashHost::removeMessage()
{
    m_window.reset();
}

void FlashHost::onShowTimeChanged()
{
    if (m_window)
        m_window->onShowTimeChanged();
}
