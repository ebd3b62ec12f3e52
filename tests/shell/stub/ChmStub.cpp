// Loads like the CHM reader library but offers only two of its entry points. It counts every
// call, so a test can tell that none was made.
extern "C" {

__attribute__((visibility("default"))) int kedrin_stub_calls = 0;

__attribute__((visibility("default"))) void* chm_open(const char*) {
  ++kedrin_stub_calls;
  return nullptr;
}

__attribute__((visibility("default"))) void chm_close(void*) { ++kedrin_stub_calls; }
}
