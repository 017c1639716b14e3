// The first count of adjacent pairs in the fresh code stream.
#pragma once

#include "base/job.h"

namespace vendrel::reference {

// Counts every pair of adjacent codes without the separator from its first
// unmarked occurrence on, left to right without overlap, marking the later
// occurrences it counts, and enters each count with insert_candidate.
// Needs the unmarked code stream of map_text_to_codes and an empty candidate
// table; leaves marks in the stream for clear_marks to remove.
void count_initial_pairs(Job& job);

}  // namespace vendrel::reference
