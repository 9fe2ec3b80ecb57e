// A data set in memory for the report tests: one string field per column, bookmarks by row.
#pragma once

#include "expression/DatasetAccess.h"
#include "expression/ExpressionContext.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace report::testing {

class FakeDataset : public expression::DatasetAccess {
public:
    FakeDataset(std::string name, std::vector<std::string> fields)
        : name_(std::move(name)), fields_(std::move(fields)) {}

    std::vector<std::vector<std::optional<std::string>>> rows;
    std::vector<expression::DataFieldType> types;  // per field; String when missing
    std::vector<bool> getTextHandlers;
    int opens = 0, closes = 0;

    void addRow(std::vector<std::optional<std::string>> row) { rows.push_back(std::move(row)); }
    int cursor() const { return cursor_; }
    void moveTo(int row) {
        cursor_ = row;
        eof_ = false;
    }

    const std::string& name() const override { return name_; }
    bool isOpen() const override { return open_; }
    void open() override {
        open_ = true;
        ++opens;
        cursor_ = 0;
        eof_ = rows.empty();
    }
    void close() override {
        open_ = false;
        ++closes;
    }
    void first() override {
        need();
        cursor_ = 0;
        eof_ = rows.empty();
    }
    void next() override {
        need();
        if (cursor_ + 1 < static_cast<int>(rows.size()))
            ++cursor_;
        else
            eof_ = true;
    }
    void prior() override {
        need();
        if (cursor_ > 0) --cursor_;
        eof_ = false;
    }
    bool eof() const override { return eof_; }

    expression::DatasetBookmark getBookmark() override { return {rows.empty() ? -1 : cursor_}; }
    void gotoBookmark(const expression::DatasetBookmark& b) override {
        if (b.isValid()) moveTo(static_cast<int>(b.id));
    }
    void freeBookmark(expression::DatasetBookmark& b) override { b = {}; }
    int compareBookmarks(const expression::DatasetBookmark& a,
                         const expression::DatasetBookmark& b) const override {
        return a.id < b.id ? -1 : (a.id > b.id ? 1 : 0);
    }

    int fieldIndex(std::string_view name) const override {
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (fields_[i] == name) return static_cast<int>(i);
        return -1;
    }
    expression::DataFieldType fieldType(int f) const override {
        return static_cast<std::size_t>(f) < types.size() ? types[static_cast<std::size_t>(f)]
                                                          : expression::DataFieldType::String;
    }
    bool fieldHasGetTextHandler(int f) const override {
        return static_cast<std::size_t>(f) < getTextHandlers.size() &&
               getTextHandlers[static_cast<std::size_t>(f)];
    }
    expression::Value fieldValue(int f) const override {
        need();
        const auto& v = rows.at(static_cast<std::size_t>(cursor_)).at(static_cast<std::size_t>(f));
        if (!v) return expression::Value();
        if (fieldType(f) == expression::DataFieldType::Integer)
            return expression::Value(static_cast<std::int64_t>(std::stoll(*v)));
        return expression::Value(*v);
    }
    std::string fieldDisplayText(int f) const override { return "<" + fieldValue(f).toText() + ">"; }

private:
    void need() const {
        if (!open_) throw std::runtime_error("Cannot perform this operation on a closed dataset");
    }

    std::string name_;
    std::vector<std::string> fields_;
    bool open_ = false, eof_ = true;
    int cursor_ = 0;
};

class FakeDataSource : public expression::DataSourceAccess {
public:
    expression::DatasetAccess* target = nullptr;
    expression::DatasetAccess* dataSet() const override { return target; }
};

class FakeComponents : public expression::DatasetComponents {
public:
    std::map<std::string, expression::DatasetAccess*, std::less<>> dataSets;
    std::map<std::string, expression::DataSourceAccess*, std::less<>> dataSources;
    expression::DatasetAccess* findDataset(std::string_view n) const override {
        auto it = dataSets.find(n);
        return it == dataSets.end() ? nullptr : it->second;
    }
    expression::DataSourceAccess* findDataSource(std::string_view n) const override {
        auto it = dataSources.find(n);
        return it == dataSources.end() ? nullptr : it->second;
    }
};

// A report context with data sets by component path, a dictionary and built-ins.
class FakeContext : public expression::ExpressionContext {
public:
    std::map<std::string, expression::DatasetAccess*> components;
    std::map<std::string, std::string> dictionary;
    std::map<std::string, std::string> aliases;
    std::map<expression::BuiltinVariable, expression::Value> builtins;
    std::map<std::string, expression::Value> properties;  // "Memo1.Left"
    std::map<std::string, expression::Value> eventValues;
    expression::Variables globals;
    bool lookupFails = false;
    int componentLookups = 0;

    bool getValueEvent(const std::string& name, expression::Value& value) override {
        auto it = eventValues.find(name);
        if (it == eventValues.end()) return false;
        value = it->second;
        return true;
    }
    std::optional<std::string> dictionaryVariable(const std::string& name) const override {
        auto it = dictionary.find(name);
        return it == dictionary.end() ? std::nullopt : std::optional(it->second);
    }
    std::string fieldAlias(const std::string& name) const override {
        auto it = aliases.find(name);
        return it == aliases.end() ? name : it->second;
    }
    expression::DatasetAccess* findDatasetComponent(const std::string& path) const override {
        ++const_cast<FakeContext*>(this)->componentLookups;
        if (lookupFails) throw std::runtime_error("form not found");
        auto it = components.find(path);
        return it == components.end() ? nullptr : it->second;
    }
    std::optional<expression::Value> builtinVariable(expression::BuiltinVariable which) const override {
        auto it = builtins.find(which);
        return it == builtins.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<expression::Value> objectProperty(const std::string& object,
                                                    const std::string& property) const override {
        auto it = properties.find(object + "." + property);
        return it == properties.end() ? std::nullopt : std::optional(it->second);
    }
    const expression::Variables& globalVariables() const override { return globals; }
};

}  // namespace report::testing
