// The report dataset: the small cursor interface through which preparation walks records,
// with a record counter and range rules. TfrUserDataset is a dataset without a table, used
// for bands that print a fixed number of times.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace report {

enum class TfrRangeBegin { rbFirst = 0, rbCurrent = 1 };
enum class TfrRangeEnd { reLast = 0, reCurrent = 1, reCount = 2 };

class TfrDataset {
public:
    using Notify = std::function<void(TfrDataset&)>;
    // May change the end-of-data answer held in `eof`.
    using CheckEof = std::function<void(TfrDataset&, bool& eof)>;

    explicit TfrDataset(std::string name = {}) : name_(std::move(name)) {}
    virtual ~TfrDataset() = default;
    TfrDataset(const TfrDataset&) = delete;
    TfrDataset& operator=(const TfrDataset&) = delete;

    // In slot order.
    virtual void Init() {}
    virtual void Exit() {}
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    TfrRangeBegin RangeBegin = TfrRangeBegin::rbFirst;
    TfrRangeEnd RangeEnd = TfrRangeEnd::reLast;
    std::int32_t RangeEndCount = 0;

    Notify OnFirst, OnNext, OnPrior;
    CheckEof OnCheckEOF;

    std::int32_t recordNo() const { return recordNo_; }

private:
    std::string name_;
    std::int32_t recordNo_ = 0;
};

// A dataset of no table: with reCount it yields RangeEndCount records.
class TfrUserDataset : public TfrDataset {
public:
    using TfrDataset::TfrDataset;
};

// The dataset a band gets when its data source text is a number: `count` records, owned by
// the band. nullptr when the text does not begin with a digit 1..9.
std::unique_ptr<TfrUserDataset> makeCountedDataset(std::string_view dataSourceText);

} // namespace report
