// A library for the loader to load: one function known by name.
extern "C" int kv_probe_answer() {
    return 42;
}
