#pragma once
// A server box held in memory: a list of entries and a text.

#include <string>
#include <vector>

#include "config/server_history.h"

namespace zrk {

class MemoryServerBox : public ServerBox {
public:
    MemoryServerBox() = default;
    MemoryServerBox(std::vector<std::string> entries, std::string text);

    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override { text_ = text; }
    int Count() const override { return static_cast<int>(entries_.size()); }
    std::string Entry(int index) const override;
    void Clear() override;
    void Insert(int index, const std::string& entry) override;
    void Remove(int index) override;
    void Select(int index) override;

    // The nth Insert from now on (1 = the next) is refused with
    // Failure("Unable to insert a line").
    void FailInsert(int nth) { insertsUntilFailure_ = nth; }

    const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
    std::string text_;
    int insertsUntilFailure_ = 0;
};

}  // namespace zrk
