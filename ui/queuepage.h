// QueuePage: the "Schlange" tab sheet (TabSheetSchlange). Its buttons drive
// the page's own queue of TFifoStrings; MemoFifo lists the elements front
// first and EditSAnz shows the count. The queue lives as long as the page;
// Clear and Load empty it.
#pragma once

#include <memory>

#include "ui/linearpage.h"

class TFifo;

namespace queuetext {
inline constexpr const char* empty = "Die Schlange ist leer";
inline constexpr const char* extension = "sdt";
inline constexpr const char* filter = "Schlangen (*.sdt)|*.sdt";
}  // namespace queuetext

class QueuePage final : public LinearPage {
    Q_OBJECT
public:
    // host is lent: the main window with the shared routines.
    explicit QueuePage(PageHost& host, QWidget* parent = nullptr);
    ~QueuePage() override;

    // The page's queue (tests).
    TFifo& queue() { return *queue_; }

private:
    bool structureEmpty() const override;
    int structureCount() const override;
    void writeStructure(TextOutput& lines) const override;
    void putString(std::string text) override;
    void takeElement() override;
    const TBase& firstElement() const override;
    void clearStructure() override;
    void saveStructure(const std::string& name) const override;
    void loadStructure(const std::string& name) override;

    const std::unique_ptr<TFifo> queue_;
};
