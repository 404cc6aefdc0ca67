#include <gtest/gtest.h>

#include "FormattingContract.h"
#include "MemoryDocument.h"

namespace {

struct MemoryFactory {
    std::unique_ptr<dutywise::RosterDocument> Make() {
        return std::make_unique<dutywise::MemoryDocument>();
    }
};

} // namespace

namespace dutywise::testing {
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FormattingContract, ::testing::Types<MemoryFactory>);
} // namespace dutywise::testing
