// Reading the pilot's distance and speed texts.
#pragma once

// The distance a text sets, in metres, into `metres`; false when the text is
// rejected. A leading K, M, G or A (either case) scales the number after it
// to kilometres, megametres, gigametres or astronomical units; a leading %
// takes that percentage (0 to 100) of `targetDistance`, and only when
// `haveTarget`; any other text is a number of metres. Negative and
// non-finite distances are rejected.
bool ParseDistance(const char* text, bool haveTarget, double targetDistance, double& metres);

// The speed a text in km/s sets, in m/s; false when it is not finite.
bool ParseSpeed(const char* text, double& metresPerSecond);
