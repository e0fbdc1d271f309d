// Anchor for the tamsel_core library, which gathers the core subsystems.
namespace tamsel { int coreAnchor() { return 0; } }
