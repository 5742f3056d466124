#pragma once

#include "desktop/messagebox.h"
#include "services/exceptions.h"

#include <QString>
#include <concepts>
#include <exception>
#include <utility>

// The message of an error as the standard error box shows it: a full stop is added when
// the text is not empty and its last character sorts after ".".
QString ExceptionDisplayText(const QString& message);

// The standard error box: the application's title as caption, the message as the error
// box shows it, an error icon and an OK button.
void ShowException(MessageBoxService& messageBox, const QString& message);

// Runs a handler and shows whatever it throws in the standard error box, so that no
// exception travels on into Qt's event code. Returns whether the handler finished.
template <class Handler>
bool RunGuarded(MessageBoxService& messageBox, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const Exception& error) {
        ShowException(messageBox, error.Message());
    } catch (const std::exception& error) {
        ShowException(messageBox, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowException(messageBox, QString());
    }
    return false;
}

// The handler wrapped for a signal connection or an event callback: it takes the
// arguments the handler takes and runs guarded. The service must outlive the wrapper.
template <class Handler>
auto Guarded(MessageBoxService& messageBox, Handler handler)
{
    // Constrained, so that Qt can tell how many of a signal's arguments the handler wants.
    return [ service = &messageBox, handler = std::move(handler) ]<class... Arguments>(
        Arguments && ... arguments) requires std::invocable<const Handler&, Arguments...>
    {
        RunGuarded(*service, [&] { handler(std::forward<Arguments>(arguments)...); });
    };
}
