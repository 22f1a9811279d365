// The exclusive section of discovery, release, removal and report stop:
// it waits until no call and no report is in flight and keeps new ones out.
#pragma once

namespace dvc::api {

void BeginExclusive();
void EndExclusive();

class ExclusiveSection {
public:
    ExclusiveSection() { BeginExclusive(); }
    ~ExclusiveSection() { EndExclusive(); }
    ExclusiveSection(const ExclusiveSection&) = delete;
    ExclusiveSection& operator=(const ExclusiveSection&) = delete;
};

}  // namespace dvc::api
