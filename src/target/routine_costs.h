// What each path through an unpack routine costs, in states of its CPU:
// the figures behind the timing estimate, one set in each CPU's description.
#pragma once

namespace vendrel {

// Taken conditional jumps and returns cost more than those that fall
// through, so each path counts the ones it takes.
struct RoutineCosts {
    int entry;            // set-up before the search and hand-over after it
    int byte_passed;      // a code other than 0 passed by the search
    int separator_passed; // a code 0 passed by the search
    int code_fetched;     // the record loop around each code of the record
    int record_end;       // fetching the closing code 0 and returning
    int character;        // expanding a character code, its print included
    int pair;             // expanding a pair code, without its two halves
};

}  // namespace vendrel
