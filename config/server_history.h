#pragma once
// The history of server host names typed into the settings panel's server
// box, kept newest first in server.lst behind the built-in server entry.

#include <string>

#include "platform/files.h"

namespace zrk {

// The settings panel's editable combo box: its text and its entries.
class ServerBox {
public:
    virtual ~ServerBox() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual int Count() const = 0;
    virtual std::string Entry(int index) const = 0;
    virtual void Clear() = 0;  // text and entries
    // index == Count() appends; throws Failure("Unable to insert a line") when refused.
    virtual void Insert(int index, const std::string& entry) = 0;
    virtual void Remove(int index) = 0;  // beyond the last entry: nothing
    virtual void Select(int index) = 0;  // the text becomes that entry
};

extern const char kBuiltInServer[];   // "DODER SERVER"
extern const char kServerListFile[];  // "server.lst"

// The box holds the built-in server followed by the history, and shows the
// built-in server. A folder named server.lst counts as no history.
void LoadServerList(ServerBox& box, Files& files);

// Returns the custom-server bit decision (true = set): set unless the box
// text is the built-in server's in any letter case. A text matching no entry
// goes to the front of the history and server.lst is rewritten, at most 10
// entries. When that write fails the box is put back as it was and the
// failure goes on unchanged.
bool RecordServerChoice(ServerBox& box, Files& files);

// Index of the first entry equal to text, A-Z compared without letter case;
// empty text matches nothing; -1 when none.
int FindServer(const ServerBox& box, const std::string& text);

}  // namespace zrk
