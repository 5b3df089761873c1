# The module's planning arithmetic on plain values (where a jump ends, the
# gravity test of its path, how far a bad one scatters): no host calls, so
# that the simulator's plan of a jump links the very code the module runs.
# Included by the module's build and the simulator's, whichever comes first
# defines it; the Windows world has the simulator without the module.
if(NOT TARGET jaunt_planning)
  add_library(jaunt_planning STATIC
    ${CMAKE_CURRENT_LIST_DIR}/planning/Destination.cpp
    ${CMAKE_CURRENT_LIST_DIR}/planning/PathPull.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jump/Scatter.cpp)
  target_include_directories(jaunt_planning PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  set_target_properties(jaunt_planning PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
endif()
