// Writes the settings file given on the command line and exits with 0 when
// the write succeeded. The tests run it where writing must fail, such as
// under a lowered file-size limit, to see what a failure leaves behind.

#include "storage/settings_file.h"

#include <QString>

int main(int argc, char* argv[])
{
    if (argc != 4)
        return 2;
    return daxo::writeSettingsFile(QString::fromLocal8Bit(argv[1]), argv[2], argv[3]) ? 0 : 1;
}
