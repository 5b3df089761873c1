// The vessel class files the project ships beside the module (package/Config/
// Vessels), as the build read them: the host reads them as the real host
// reads its own Config folder.
#pragma once

namespace host {

struct ClassFile {
  const char* name;  // the class: the file's name without .cfg
  const char* text;
};

extern const ClassFile shippedClassFiles[1];

}  // namespace host
