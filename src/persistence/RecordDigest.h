#pragma once
#include <cstdint>
#include <initializer_list>

class Persistent;

// A fingerprint of what the writer would put in an object's record, made from the properties'
// values without writing the record: the class name and every entry the writer would write (the
// same rules for defaults and empty texts, contained objects included), less the object's own
// properties named. Two objects whose records would be equal have equal fingerprints.
uint64_t RecordDigest(const Persistent& object, std::initializer_list<const char*> leftOut = {});
