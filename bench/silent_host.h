// The log is the only host function the measured code calls: bound to one that drops every
// entry, a benchmark times the plug-in's own work alone.
#pragma once

namespace bench {

void installSilentHost();

}  // namespace bench
