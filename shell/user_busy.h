#pragma once
// Whether the user would rather not be disturbed by a sound now.

// True while Windows says the user is busy: a full-screen program, a Direct3D game, a
// presentation, or the quiet hours after a fresh start or that the user set. False when
// Windows says otherwise or cannot say.
bool UserIsBusy();
