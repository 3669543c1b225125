#pragma once
// A program that ends through exit() (the end-of-program service does) skips the destructors of its registry:
// every registry alive in the process is flushed by an exit handler instead.

namespace platform {

class Registry;

void flush_at_exit(Registry& registry);
void no_flush_at_exit(Registry& registry);

} // namespace platform
