// Turns an exception into the error box's text: the message of a standard
// exception (conversion errors, "Failed to converge!", the index error),
// with a full stop where its last character sorts after '.'.
#include "ui/core/error_path.h"

#include <stdexcept>

#include "ui/core/number_text.h"

namespace uicore {

void ReportException(TErrorBox& Box, const std::exception_ptr& Error) {
    std::string Message;
    try {
        std::rethrow_exception(Error);
    } catch (const std::exception& E) {
        Message = E.what();
    } catch (...) {
        // Nothing in the program throws anything else; say so rather than
        // let it reach the event loop.
        Message = "Unknown error";
    }
    Box.ShowError(ErrorBoxText(Message));
}

}  // namespace uicore
