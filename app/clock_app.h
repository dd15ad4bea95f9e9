#pragma once
// The application object: claims the user's session, starts the socket layer, then runs the
// program and its clocks.

#include "win/application.h"

class ClockApp : public Application {
public:
    // Starts the socket layer; true when version 1.1 is running.
    using SocketStarter = bool (*)();
    static bool StartSockets();

    explicit ClockApp(SocketStarter startSockets = StartSockets) : startSockets(startSockets) {}

    // Called by WinMain: claims the session, starts the socket layer and runs the program until
    // the user ends it. The exit code is 0.
    int Run(HINSTANCE instance);

    bool OnCommand(int id) override;

private:
    SocketStarter startSockets;
};
