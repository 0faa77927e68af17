/* The faces the Windows game carries: the free stand-ins of the named faces and a copy of the
   pattern face (the files are named by toolkit/graphics.cmake). */
    .section .rdata$tevra_faces,"dr"
#define TEVRA_FACE(name, file) \
    .balign 16; \
    .global tevra_face_##name##_begin; \
    .global tevra_face_##name##_end; \
tevra_face_##name##_begin: \
    .incbin file; \
tevra_face_##name##_end:

TEVRA_FACE(lato, TEVRA_FACE_LATO)
TEVRA_FACE(dejavu, TEVRA_FACE_DEJAVU)
TEVRA_FACE(pattern, TEVRA_FACE_PATTERN)
