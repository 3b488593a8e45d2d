// vexorin-jet-reader: reads a Jet file with libmdb in a process of its own,
// so that a damaged file that makes libmdb loop or crash cannot hang or crash
// the program. It writes the stream of catalog/JetWire.h to standard output.
//
//   vexorin-jet-reader FILE          the file's tables and their fields
//   vexorin-jet-reader FILE TABLE    the rows of one table
#include "catalog/JetWire.h"
#include "catalog/jetreader/MdbFile.h"
#include "catalog/jetreader/WireWriter.h"

#include <cstdio>
#include <exception>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[]) {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    namespace wire = catalog::jetwire;
    jetreader::WireWriter out(stdout);
    out.raw(wire::Magic, sizeof wire::Magic);
    if (argc != 2 && argc != 3) {
        out.byte(wire::Failure);
        out.str("usage: vexorin-jet-reader FILE [TABLE]");
        return 2;
    }
    try {
        jetreader::MdbFile file(argv[1]);
        if (argc == 2)
            file.writeCatalogue(out);
        else
            file.writeRows(argv[2], out);
    } catch (const std::exception& error) {
        // Whatever was sent before stays incomplete; this frame says why.
        out.byte(wire::Failure);
        out.str(error.what());
        return 1;
    }
    return 0;
}
