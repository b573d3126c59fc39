// Identifiers of the program's resources, shared by the resource script.
#pragma once

#define kIconId 1
