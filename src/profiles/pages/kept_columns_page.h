// The page of a profile type this version of the library does not know (a
// row written by a newer one): it keeps the row's columns exactly as loaded,
// so editing its common values loses nothing, and it refuses to convert the
// profile into a setup record. Every type 0-14 has its own page.
#pragma once

#include "profiles/option_page_widget.h"
#include "profiles/page_rules.h"

class QLabel;

namespace profiles {

class KeptColumnsPageRules : public PageRules {
public:
    explicit KeptColumnsPageRules(int code) : code_(code) {}

    QString pageName() const override;
    bool isAvailable() const override { return false; }
    void reset() override { columns_.clear(); }
    void load(const ColumnValues& columns) override { columns_ = columns; }
    ColumnValues columns() const override { return columns_; }
    void writeRecord(const CommonValues&, STRUCT_laundry_setup&) const override {}

private:
    int code_;
    ColumnValues columns_;
};

class KeptColumnsPage : public OptionPageWidget {
    Q_OBJECT
public:
    KeptColumnsPage(int code, QWidget* parent);

    PageRules& rules() override { return rules_; }
    void showValues() override {}
    void readValues() override {}

private:
    KeptColumnsPageRules rules_;
};

} // namespace profiles
