// Lets only one copy of the program run for a user on a computer.
#pragma once

#include <QLockFile>
#include <memory>

class UnaSolaCopia {
public:
    UnaSolaCopia();
    // True when no other copy runs; the claim lasts as long as this object.
    bool prendi();

private:
    std::unique_ptr<QLockFile> m_blocco;
};
