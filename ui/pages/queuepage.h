// QueuePage: the "Schlange" tab sheet (TabSheetSchlange). Its buttons drive
// the page's own queue of TFifoStrings; MemoFifo lists the elements front
// first and EditSAnz shows the count. The queue lives as long as the page;
// Clear and Load empty it.
#pragma once

#include <memory>

#include "linear/fifo.h"
#include "ui/pages/linearpage.h"
#include "workbench/structurefiles.h"

namespace queuetext {
inline constexpr const char* empty = "Die Schlange ist leer";
inline constexpr const char* extension =
    structurefiles::type(structurefiles::Kind::queue).extension;
inline constexpr const char* filter = structurefiles::type(structurefiles::Kind::queue).filter;
}  // namespace queuetext

class QueuePage final : public LinearPage {
    Q_OBJECT
public:
    // host is lent: the main window with the shared routines.
    explicit QueuePage(PageHost& host, QWidget* parent = nullptr);

    // The page's queue (tests).
    TFifo& queue() { return *queue_; }

private:
    bool structureEmpty() const override { return queue_->empty(); }
    int structureCount() const override { return queue_->count(); }
    void writeStructure(TextOutput& lines) const override;
    void putString(std::string text) override;
    void takeElement() override { queue_->remove(); }
    const TBase& firstElement() const override { return *queue_->front(); }
    void clearStructure() override { queue_->clear(); }
    void saveStructure(const std::string& name) const override { queue_->save(name); }
    void loadStructure(const std::string& name) override { queue_->load(name); }
    std::string structureRecord() const override {
        return pagestate::record([this](TWriter& w) { queue_->save(w); });
    }
    void readStructure(std::string_view record) override {
        pagestate::readBack(record, [this](TReader& r) { queue_->load(r); });
    }
    structurepicture::Row pictureRow() const override { return structurepicture::Row::queue; }

    const std::unique_ptr<TFifo> queue_;
};
