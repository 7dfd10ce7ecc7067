#include "tests/support/memory_server_box.h"

#include <stdexcept>
#include <utility>

#include "platform/failure.h"

namespace zrk {

MemoryServerBox::MemoryServerBox(std::vector<std::string> entries, std::string text)
    : entries_(std::move(entries)), text_(std::move(text)) {}

std::string MemoryServerBox::Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }

void MemoryServerBox::Clear() {
    entries_.clear();
    text_.clear();
}

void MemoryServerBox::Insert(int index, const std::string& entry) {
    if (insertsUntilFailure_ > 0 && --insertsUntilFailure_ == 0) throw Failure("Unable to insert a line");
    // An index past the end is a caller's mistake, not a refusal of the box.
    if (index < 0 || index > Count()) throw std::out_of_range("MemoryServerBox::Insert index");
    entries_.insert(entries_.begin() + index, entry);
}

void MemoryServerBox::Remove(int index) {
    if (index >= 0 && index < Count()) entries_.erase(entries_.begin() + index);
}

void MemoryServerBox::Select(int index) { text_ = Entry(index); }

}  // namespace zrk
