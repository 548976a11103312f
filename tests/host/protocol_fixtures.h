// Protocol texts shared by the stand-in host's tests.
#pragma once

#include <string>

namespace hosttest {

// Two conditions in volumes: "Fixation" on volumes 1-10 and 21-30, "Face trials" on 11-20.
inline const std::string kVolumeProtocol =
    "FileVersion:        2\n"
    "\n"
    "ResolutionOfTime:   Volumes\n"
    "\n"
    "Experiment:         Faces and houses\n"
    "\n"
    "BackgroundColor:    0 0 0\n"
    "TextColor:          255 255 255\n"
    "TimeCourseColor:    255 255 255\n"
    "TimeCourseThick:    3\n"
    "ReferenceFuncColor: 192 192 192\n"
    "ReferenceFuncThick: 2\n"
    "\n"
    "NrOfConditions:  2\n"
    "\n"
    "Fixation\n"
    "2\n"
    " 1  10\n"
    "21  30\n"
    "Color: 64 64 64\n"
    "\n"
    "Face trials\n"
    "1\n"
    "11  20\n"
    "Color: 255 0 0\n";

// The same design in msec for a repetition time of 2000 ms.
inline const std::string kMsecProtocol =
    "FileVersion: 2\n"
    "ResolutionOfTime: msec\n"
    "Experiment: Faces and houses\n"
    "BackgroundColor: 0 0 0\n"
    "TextColor: 255 255 255\n"
    "TimeCourseColor: 255 255 255\n"
    "TimeCourseThick: 3\n"
    "ReferenceFuncColor: 192 192 192\n"
    "ReferenceFuncThick: 2\n"
    "NrOfConditions: 2\n"
    "Fixation\n"
    "2\n"
    "0 19999\n"
    "40000 59999\n"
    "Color: 64 64 64\n"
    "Face trials\n"
    "1\n"
    "20000 39999\n"
    "Color: 255 0 0\n";

}  // namespace hosttest
