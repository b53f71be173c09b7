uniform float iFlavour;
void main()
{
    gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0) // missing semicolon
}
