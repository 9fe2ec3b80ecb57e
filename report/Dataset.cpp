#include "report/Dataset.h"

#include <charconv>
#include <limits>

namespace report {

void Dataset::first() {
    recordNo_ = 0;
    if (onFirst) onFirst(*this);
}

void Dataset::next() {
    if (recordNo_ < std::numeric_limits<std::int32_t>::max()) ++recordNo_;
    if (!(rangeEnd == RangeEnd::reCount && recordNo_ >= rangeEndCount) && onNext) onNext(*this);
}

void Dataset::prior() {
    if (recordNo_ > std::numeric_limits<std::int32_t>::min()) --recordNo_;
    if (onPrior) onPrior(*this);
}

bool Dataset::eof() {
    bool eof = rangeEnd == RangeEnd::reCount && recordNo_ >= rangeEndCount;
    if (onCheckEof) onCheckEof(*this, eof);
    return eof;
}

std::unique_ptr<UserDataset> makeCountedDataset(std::string_view text) {
    if (text.empty() || text[0] < '1' || text[0] > '9') return nullptr;
    // The leading digits give the count; a count beyond int32 is held at its largest value.
    std::int64_t count = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + digits, count);
    (void)end;
    if (ec != std::errc() || count > std::numeric_limits<std::int32_t>::max())
        count = std::numeric_limits<std::int32_t>::max();
    auto dataset = std::make_unique<UserDataset>();
    dataset->rangeEnd = RangeEnd::reCount;
    dataset->rangeEndCount = static_cast<std::int32_t>(count);
    return dataset;
}

}  // namespace report
