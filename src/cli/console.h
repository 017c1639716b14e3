// The console texts of the front end: banner, usage text with its pause,
// and the packing report.
#pragma once

#include "base/job.h"

namespace vendrel {

void print_banner();
void print_usage();
void wait_for_enter();
void print_report(const Job& job);

}  // namespace vendrel
