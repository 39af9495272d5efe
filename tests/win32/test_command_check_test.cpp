// The Windows suite's misbehaving-on-request test.
#include "support/test_command_check.h"
