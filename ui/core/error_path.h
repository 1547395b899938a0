// The one error path of the window: every handler runs through RunHandler,
// and whatever exception leaves it is shown in the modal error box (caption
// the application title, error icon) instead of crossing the event loop.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace uicore {

// The modal error box.
class TErrorBox {
public:
    virtual ~TErrorBox() = default;
    virtual void ShowError(const std::string& Text) = 0;
};

// Shows the exception's message with the full-stop rule applied.
void ReportException(TErrorBox& Box, const std::exception_ptr& Error);

// Runs Handler; returns false after reporting an exception that left it.
// What the handler did before the failure stays.
template <class THandler>
bool RunHandler(TErrorBox& Box, THandler&& Handler) {
    try {
        std::forward<THandler>(Handler)();
        return true;
    } catch (...) {
        ReportException(Box, std::current_exception());
        return false;
    }
}

}  // namespace uicore
