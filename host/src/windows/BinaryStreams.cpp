// The host's transcripts on standard output are compared byte for byte with
// those of the Linux build. The C library's text mode would write every line
// end as CR LF, so the standard streams, and the files the host opens, carry
// the bytes as written.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

namespace {

struct BinaryStreams {
  BinaryStreams() {
    _fmode = _O_BINARY;
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
  }
} binaryStreams;

}  // namespace
