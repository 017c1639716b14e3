// The main flow of a run: parse, read, prepare and pack or recognise and
// extract, compose, report, write, release.
#pragma once

namespace vendrel {

// Runs the program and returns the process exit status.
int run(int argc, const char* const* argv);

}  // namespace vendrel
