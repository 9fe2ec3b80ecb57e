// The report dataset: the small cursor interface through which preparation walks records,
// with a record counter and range rules. UserDataset is a dataset without a table, used
// for bands that print a fixed number of times.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace report {

enum class RangeBegin { rbFirst = 0, rbCurrent = 1 };
enum class RangeEnd { reLast = 0, reCurrent = 1, reCount = 2 };

class Dataset {
public:
    using Notify = std::function<void(Dataset&)>;
    // May change the end-of-data answer held in `eof`.
    using CheckEof = std::function<void(Dataset&, bool& eof)>;

    explicit Dataset(std::string name = {}) : name_(std::move(name)) {}
    virtual ~Dataset() = default;
    Dataset(const Dataset&) = delete;
    Dataset& operator=(const Dataset&) = delete;

    // In slot order.
    virtual void init() {}
    virtual void exit() {}
    virtual void first();
    virtual void next();
    virtual void prior();
    virtual bool eof();

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    RangeBegin rangeBegin = RangeBegin::rbFirst;
    RangeEnd rangeEnd = RangeEnd::reLast;
    std::int32_t rangeEndCount = 0;

    Notify onFirst, onNext, onPrior;
    CheckEof onCheckEof;

    std::int32_t recordNo() const { return recordNo_; }

private:
    std::string name_;
    std::int32_t recordNo_ = 0;
};

// A dataset of no table: with reCount it yields rangeEndCount records.
class UserDataset : public Dataset {
public:
    using Dataset::Dataset;
};

// The dataset a band gets when its data source text is a number: `count` records, owned by
// the band. nullptr when the text does not begin with a digit 1..9.
std::unique_ptr<UserDataset> makeCountedDataset(std::string_view dataSourceText);

}  // namespace report
