#pragma once

// True when the version at hand (major, minor, sub) is the same as or later than the required
// one. Lexicographic with signed comparisons: a larger major or minor version decides before
// the sub-version is looked at, so 2.9.-5 is later than 2.8.0.
bool isVersionAtLeast(int major, int minor, int sub, int requiredMajor, int requiredMinor,
                      int requiredSub);
