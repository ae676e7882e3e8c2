#pragma once
// Keep.ini, the list of the sites to keep, beside the program's other files.
#include "cleaner/keep_list.h"

#include <string>

namespace aw {

// The file's full path.
std::string KeepFilePath();

// Reads the list. A missing file is an empty list; one that cannot be read is Unusable, so
// that a Clean then keeps every site's data.
KeepListReading ReadKeepFile();

// Writes the list whole, through a new file put in the old one's place. False when it could not
// be written (the old list then stays).
bool WriteKeepFile(const KeepList& list);

} // namespace aw
