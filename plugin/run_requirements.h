#pragma once

// The name of the first host function, in table order, that a run may call and the host
// function table lacks (null); null when the run has every function it needs.
const char* firstMissingRunFunction();
