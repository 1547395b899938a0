// The one error path: an exception that leaves a handler becomes the error
// box's text, and what the handler did before it stays.
#include <gtest/gtest.h>

#include <stdexcept>

#include "model/prob_distribution.h"
#include "numkern/numkern.h"
#include "ui/core/error_path.h"
#include "ui/core/number_text.h"

namespace {

class TRecordingBox : public uicore::TErrorBox {
public:
    std::vector<std::string> Shown;
    void ShowError(const std::string& Text) override { Shown.push_back(Text); }
};

TEST(ErrorPath, ShowsEachFailureWithTheFullStopRule) {
    struct Case {
        std::exception_ptr Error;
        const char* Text;
    };
    const Case Cases[] = {
        {std::make_exception_ptr(
             uicore::EConvertError("'abc' is not a valid floating point value")),
         "'abc' is not a valid floating point value."},
        // '!' sorts before '.': no full stop.
        {std::make_exception_ptr(numkern::EOrlenException("Failed to converge!")),
         "Failed to converge!"},
        {std::make_exception_ptr(model::EListError("List index out of bounds (5)")),
         "List index out of bounds (5)"},
        {std::make_exception_ptr(std::runtime_error("ends with.")), "ends with."},
        {std::make_exception_ptr(42), "Unknown error."},
    };
    for (const Case& C : Cases) {
        TRecordingBox Box;
        int Steps = 0;
        const bool Ok = uicore::RunHandler(Box, [&] {
            ++Steps;
            std::rethrow_exception(C.Error);
        });
        EXPECT_FALSE(Ok) << C.Text;
        EXPECT_EQ(Steps, 1) << C.Text;  // the work before the failure stays
        ASSERT_EQ(Box.Shown.size(), 1u) << C.Text;
        EXPECT_EQ(Box.Shown[0], C.Text);
    }
}

TEST(ErrorPath, QuietHandlerShowsNothing) {
    TRecordingBox Box;
    int Steps = 0;
    EXPECT_TRUE(uicore::RunHandler(Box, [&] { ++Steps; }));
    EXPECT_EQ(Steps, 1);
    EXPECT_TRUE(Box.Shown.empty());
}

}  // namespace
