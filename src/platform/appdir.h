#pragma once

#include <QString>

// The folder of the running executable with its trailing separator, ready to take a file name.
QString ApplicationDir();
