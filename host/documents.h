// The stand-in host's documents: the current anatomical document, the VTC linked to it, the
// current protocol and design matrix.
#pragma once

#include <string>

namespace standin {

// Makes vmrPath the current anatomical document (it must exist); an empty path means none.
// False with error set when the file does not exist.
bool openAnatomicalDocument(const std::string& vmrPath, std::string& error);

// The subcommand that writes a VTC file of the stand-in's own format:
//   make-vtc --volumes N --tr MS OUT.vtc
// args are the words after "make-vtc". Returns the process exit status.
int makeVtcCommand(int argc, char** argv);

}  // namespace standin
