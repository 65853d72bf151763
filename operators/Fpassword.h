#pragma once

// The password scrambling lives with the configuration, where the settings
// of every level (the passwords, the broker's password) can reach it.
#include "config/Fscramble.h"
