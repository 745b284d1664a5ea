// StackPage: the "Keller" tab sheet (TabSheetKeller). Its buttons drive the
// page's own stack of TLifoStrings; Memolifo lists the elements top first
// and EditKAnz shows the count. Clear and Load put a new stack in place of
// the old one.
#pragma once

#include <memory>

#include "linear/lifo.h"
#include "ui/pages/linearpage.h"
#include "workbench/structurefiles.h"

namespace stacktext {
inline constexpr const char* empty = "Der Keller ist leer";
inline constexpr const char* extension =
    structurefiles::type(structurefiles::Kind::stack).extension;
inline constexpr const char* filter = structurefiles::type(structurefiles::Kind::stack).filter;
}  // namespace stacktext

class StackPage final : public LinearPage {
    Q_OBJECT
public:
    // host is lent: the main window with the shared routines.
    explicit StackPage(PageHost& host, QWidget* parent = nullptr);

    // The page's stack; Clear and Load replace it (tests).
    TLifo& stack() { return *stack_; }

private:
    bool structureEmpty() const override { return stack_->empty(); }
    int structureCount() const override { return stack_->count(); }
    void writeStructure(TextOutput& lines) const override;
    void putString(std::string text) override;
    void takeElement() override { stack_->pop(); }
    const TBase& firstElement() const override { return *stack_->top(); }
    void clearStructure() override { stack_ = std::make_unique<TLifo>(); }
    void saveStructure(const std::string& name) const override { stack_->save(name); }
    void loadStructure(const std::string& name) override { stack_->load(name); }
    std::string structureRecord() const override {
        return pagestate::record([this](TWriter& w) { stack_->save(w); });
    }
    void readStructure(std::string_view record) override {
        pagestate::readBack(record, [this](TReader& r) { stack_->load(r); });
    }
    structurepicture::Row pictureRow() const override { return structurepicture::Row::stack; }

    std::unique_ptr<TLifo> stack_;
};
