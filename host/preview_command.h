// The preview subcommand of the stand-in host: draws a design matrix or a confound file, as the
// plug-in's own readers read it, into an SVG picture.
//   preview [--motion] [--form sdm|rtc] IN OUT.svg
#pragma once

namespace standin {

// args are the words after "preview". IN is read in the form its name gives (RTC when it holds
// ".rtc", as the plug-in decides) unless --form says otherwise, with the plug-in's reader of
// heart-rate and respiration files, or with its motion reader under --motion. OUT must end in
// ".svg" and must not be IN; it is written whole or not at all. Returns the exit status: 0 the
// preview was written, 1 a usage error, 2 IN cannot be read or drawn (it does not open, the
// reader found it damaged, or it has more predictors than a preview draws), 3 OUT cannot be
// written. Every failure prints one line to the standard error and writes no file.
int previewCommand(int argc, char** argv);

}  // namespace standin
