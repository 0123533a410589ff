// Defaults for every fuzz target; ASAN_OPTIONS still overrides them.
//
// The distribution's Qt is built without frame pointers, so the fast unwinder
// that records where each block was allocated walks on through whatever a Qt
// function keeps in its frame-pointer register. Past the first frames those
// stacks are junk that rarely repeats, and the sanitizer keeps every distinct
// stack for good: a run then grows by hundreds of megabytes and slows down as
// the store fills. Two frames still name the allocating function and its
// caller. For full stacks of a finding, replay it with
// ASAN_OPTIONS=malloc_context_size=30:fast_unwind_on_malloc=0.
//
// One input frees a few megabytes at most, so a 32 MB quarantine still holds
// all of it for use-after-free checks, while the default 256 MB hands every
// allocation fresh, cold pages.
extern "C" const char* __asan_default_options() {
  return "malloc_context_size=2:quarantine_size_mb=32";
}
