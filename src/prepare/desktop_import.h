// Import of a document of Universum's Desktop word processor (-dtp, -lc).
#pragma once

#include "cli/job.h"

namespace vendrel {

// Turns the document in the text buffer into running text in place and
// writes a new end mark. Returns 0, or kDocumentTooLong (reported) when the
// repeat bytes would expand it beyond the buffer.
int import_desktop_document(Job& job);

}  // namespace vendrel
