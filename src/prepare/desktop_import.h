// Import of a document of Universum's Desktop word processor (-dtp, -lc).
#pragma once

#include "base/job.h"

namespace vendrel {

// Turns the document in the text buffer into running text in place and
// writes a new end mark. Returns 0, or kDocumentTooLong (reported, nothing
// more written) when a repeat byte would make the bytes produced so far plus
// the bytes not yet read exceed 65,535: beyond the buffer, or over unread input.
int import_desktop_document(Job& job);

}  // namespace vendrel
