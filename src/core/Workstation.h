#pragma once

#include "core/DataModule.h"
#include "core/Journal.h"
#include "core/Paths.h"
#include "core/Session.h"
#include "core/Startup.h"

namespace vd {

class Clock;
class UserInterface;

// The objects that live from start to exit, in the order they depend on each other. main()
// of FormVD and of vdctl builds one over its own user interface.
struct Workstation {
    Workstation(Paths paths_, EventSink& sink, UserInterface& ui, const Clock& clock)
        : paths(std::move(paths_)), journal(sink, session), tdm(paths, session, journal, ui, clock), startup(tdm) {}

    Paths paths;
    Session session;
    Journal journal;
    TDM tdm;
    Startup startup;
};

}  // namespace vd
