[pref]
ColorDepth=32

[config]
IsWindowed=1
UseRGB=0
DisableVerticalSynch=0
SafeMode=0
ForceFallback=0
IgnoreIntel=1
